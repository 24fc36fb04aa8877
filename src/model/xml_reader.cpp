#include "model/xml_reader.h"

#include <string>

#include "model/array_text.h"
#include "model/node.h"
#include "model/node_errors.h"
#include "model/node_registry.h"
#include "model/property_text.h"
#include "model/reader_limits.h"
#include "model/stream.h"

namespace wavora {

namespace {

bool IsBlank(char c) {
  return c == 9 || c == 10 || c == 13 || c == 32;
}
bool IsLayout(char c) {
  return c == 0 || IsBlank(c);
}
bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Depth and element count of the read in progress on this thread, so that nesting and size stay
// bounded however the nested bodies are reached (each node's LoadFromStream is virtual).
struct TReadProgress {
  int depth = 0;
  size_t nodes = 0;
};
thread_local TReadProgress progress;

class TDepthGuard {
 public:
  TDepthGuard() {
    if (progress.depth++ == 0) progress.nodes = 0;
  }
  ~TDepthGuard() { --progress.depth; }
  TDepthGuard(const TDepthGuard&) = delete;
  TDepthGuard& operator=(const TDepthGuard&) = delete;
};

std::string CharacterText(char c) {
  return "(\"" + std::string(1, c) + "\" ord=" + std::to_string(static_cast<unsigned char>(c)) + ")";
}

struct TTag {
  std::string name;
  std::string attributes;
  bool closed = false;
  bool empty = false;
};

class TBodyReader {
 public:
  TBodyReader(TBasicXMLNode& node, TStream& stream, bool skipUnknowns)
      : node_(node), stream_(stream), skip_(skipUnknowns) {}

  void Read() {
    while (true) {
      // A last single character is passed over, as it always was, unless it begins a tag cut off.
      char last = 0;
      if (stream_.Position() + 1 >= stream_.Size() && !(stream_.PeekChar(last) && last == '<')) {
        return EndOfText();
      }
      char c;
      do {
        if (!stream_.ReadChar(c)) return EndOfText();
      } while (IsLayout(c));
      if (c != '<') {
        throw TXMLNodeParsingError("Tag start not found. Illegal character " + CharacterText(c) +
                                   " at position=" + Position());
      }
      if (!stream_.ReadChar(c)) throw TXMLNodeParsingError("End of stream reached before end of tag: <");
      if (c == '!' || c == '?') {
        SkipMarkup(c == '!');
        continue;
      }
      if (c == '/') {
        if (!SkipMarkup(false)) EndOfText();
        return;
      }
      if (!IsLetter(c) && c != '_') {
        throw TXMLNodeParsingError("Illegal first character in tag. " + CharacterText(c) +
                                   " at position=" + Position());
      }
      const TTag tag = ReadTag(c);
      if (stream_.Position() + 1 >= stream_.Size()) {
        if (!tag.closed) throw TXMLNodeParsingError("End of stream reached before end of tag: " + tag.name);
        if (!tag.empty) throw TXMLNodeParsingError("End of stream reached before tag is closed: " + tag.name);
      }
      if (const TPropertyInfo* property = node_.ClassInfo().FindProperty(tag.name)) {
        ReadPropertyElement(*property, tag);
      } else if (NodeRegistry().IsRegistered(tag.name)) {
        ReadChildElement(tag);
      } else if (!skip_) {
        throw TXMLNodeParsingError("Unrecognised Tag: " + tag.name + " at " + Position());
      } else if (!tag.empty) {
        SkipUnknownElement(tag.name);
      }
    }
  }

 private:
  std::string Position() const { return std::to_string(stream_.Position()); }

  // The text may end only where a whole text is read; an element whose start tag was read must meet
  // its end tag, or a file cut off between two elements would open with slides and objects missing.
  void EndOfText() const {
    if (progress.depth > 1) {
      throw TXMLNodeParsingError("End of stream reached before end tag: </" + node_.ClassInfo().ClassName() +
                                 ">");
    }
  }

  // Markup after "<!" or "<?" and end tags: a comment "<!--" ends at the first ">" after two or more
  // "-"; anything else ends at the first ">" outside a quoted run. False when the text ends first.
  bool SkipMarkup(bool mayBeComment) {
    char c;
    if (mayBeComment && stream_.PeekChar(c) && c == '-') {
      stream_.ReadChar(c);
      if (stream_.PeekChar(c) && c == '-') {
        stream_.ReadChar(c);
        int dashes = 0;
        while (stream_.ReadChar(c)) {
          if (c == '>' && dashes >= 2) return true;
          dashes = c == '-' ? dashes + 1 : 0;
        }
        return false;
      }
    }
    char quote = 0;
    while (stream_.ReadChar(c)) {
      if (quote) {
        if (c == quote) quote = 0;
      } else if (c == '"' || c == '\'') {
        quote = c;
      } else if (c == '>') {
        return true;
      }
    }
    return false;
  }

  // Reads a tag name (its first character already read) and its attribute text, up to ">" or "/>".
  TTag ReadTag(char first) {
    TTag tag;
    tag.name = first;
    char c;
    bool inName = true;
    char quote = 0;
    while (stream_.ReadChar(c)) {
      if (inName) {
        if (c == '>') {
          tag.closed = true;
          break;
        }
        if (c == '/' && CloseEmpty(tag)) break;
        if (IsLayout(c) || c == '/') {
          inName = false;
          if (c == '/') tag.attributes += c;
          continue;
        }
        if (tag.name.size() >= kMaxNameLength) {
          throw TXMLNodeParsingError("Tag name too long: " + tag.name.substr(0, 40) + "... at " + Position());
        }
        tag.name += c;
        continue;
      }
      if (quote) {
        if (c == quote) quote = 0;
      } else if (c == '"' || c == '\'') {
        quote = c;
      } else if (c == '>') {
        tag.closed = true;
        break;
      } else if (c == '/' && CloseEmpty(tag)) {
        break;
      }
      if (tag.attributes.size() >= kMaxValueLength) {
        throw TXMLNodeParsingError("Attributes too long in tag: " + tag.name + " at " + Position());
      }
      tag.attributes += c;
    }
    return tag;
  }

  // After a "/": when ">" follows, consumes it and marks the tag closed and empty.
  bool CloseEmpty(TTag& tag) {
    char c;
    if (!stream_.PeekChar(c) || c != '>') return false;
    stream_.ReadChar(c);
    tag.closed = tag.empty = true;
    return true;
  }

  void ReadPropertyElement(const TPropertyInfo& property, const TTag& tag) {
    if (property.kind == TPropertyKind::DynArray) {
      if (!tag.empty) property.set(node_, ReadArrayText(stream_, property.arrayType));
      return;
    }
    std::string text;
    if (!tag.empty) {
      char c;
      while (stream_.PeekChar(c) && c != '<') {
        if (text.size() >= kMaxValueLength) {
          throw TXMLNodeParsingError("Value too long: " + tag.name + " at " + Position());
        }
        stream_.ReadChar(c);
        text += c;
      }
      if (stream_.PeekChar(c)) {
        const size_t bracket = stream_.Position();
        stream_.ReadChar(c);
        if (stream_.PeekChar(c) && c == '/') {
          SkipMarkup(false);
        } else {
          stream_.SetPosition(bracket);
        }
      }
    }
    SetPropertyFromText(node_, property.name, DecodeElementText(text), skip_);
  }

  void ReadChildElement(const TTag& tag) {
    if (++progress.nodes > kMaxNodesPerRead) {
      throw TXMLNodeParsingError("Too many elements: " + tag.name + " at " + Position());
    }
    if (node_.GetChildCount() >= kMaxChildrenPerElement) {
      throw TXMLNodeParsingError("Too many elements inside one: " + tag.name + " at " + Position());
    }
    const iXMLNode child = NodeRegistry().CreateNodeByName(tag.name, tag.attributes, skip_);
    node_.add(child);
    if (tag.empty) return;
    if (progress.depth >= kMaxNesting) {
      throw TXMLNodeParsingError("Elements nested too deeply: " + tag.name + " at " + Position());
    }
    if (skip_) {
      child->LoadFromStreamSkipUnknows(stream_);
    } else {
      child->LoadFromStream(stream_);
    }
  }

  // Passes over everything up to "</name>", letters compared without regard to case and blanks in
  // the text ignored inside the match.
  void SkipUnknownElement(const std::string& name) {
    const std::string pattern = "</" + name + ">";
    size_t matched = 0;
    char c;
    while (stream_.ReadChar(c)) {
      if (matched > 0 && IsBlank(c)) continue;
      if (SameText(std::string_view(&c, 1), std::string_view(&pattern[matched], 1))) {
        if (++matched == pattern.size()) return;
      } else {
        matched = c == '<' ? 1 : 0;
      }
    }
    throw TXMLNodeParsingError("Unrecognised and badly formed Tag: " + name + " at " + Position());
  }

  TBasicXMLNode& node_;
  TStream& stream_;
  bool skip_;
};

}  // namespace

void ReadNodeBody(TBasicXMLNode& node, TStream& stream, bool skipUnknowns) {
  const TDepthGuard guard;
  TBodyReader(node, stream, skipUnknowns).Read();
}

void ApplyAttributeText(TBasicXMLNode& node, std::string_view text, bool skipUnknowns) {
  enum { kBetween, kName, kBeforeValue, kValue } state = kBetween;
  std::string name;
  std::string value;
  char quote = 0;
  for (char c : text) {
    switch (state) {
      case kBetween:
        if (IsBlank(c)) break;
        name.assign(1, c);
        state = kName;
        break;
      case kName:
        if (IsBlank(c) || c == '=') {
          state = kBeforeValue;
        } else {
          name += c;
        }
        break;
      case kBeforeValue:
        if (c == '"' || c == '\'') {
          quote = c;
          value.clear();
          state = kValue;
        }
        break;
      case kValue:
        if (c == quote) {
          SetPropertyFromText(node, name, value, skipUnknowns);
          state = kBetween;
        } else {
          value += c;
        }
        break;
    }
  }
}

}  // namespace wavora

#pragma once

#include <stdexcept>
#include <string>

namespace wavora {

// The node library's exception family; callers catch them where the user acted.
class TXMLNodeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TXMLNodeRegistryError : public TXMLNodeError {
 public:
  using TXMLNodeError::TXMLNodeError;
};

class TXMLNodeParsingError : public TXMLNodeError {
 public:
  using TXMLNodeError::TXMLNodeError;
};

class TXMLNodeUndoManagerError : public TXMLNodeError {
 public:
  using TXMLNodeError::TXMLNodeError;
};

// A text that does not convert to the number (or value name) a property needs. Deliberately not a
// TXMLNodeParsingError: reading with unknowns skipped does not soften it.
class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace wavora

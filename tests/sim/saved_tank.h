#pragma once

#include <cstdint>
#include <string>

#include "model/node_files.h"
#include "model/stream.h"
#include "sim/water.h"

namespace wavora::test {

// The node as a file holds it.
inline std::string SavedText(const TBasicXMLNode& node) {
  TStream stream;
  node.SaveToStream(stream, true, 0);
  return stream.Data();
}

// The tank a text holds, sized as the document sizes every tank it opens; null when the text holds
// none. Its classes must be registered.
inline TRef<TWater> ReadTank(const std::string& text, int32_t width, int32_t height) {
  TStream stream(text);
  TRef<TWater> loaded = RefCast<TWater>(ReadNodeFromStream(stream));
  if (loaded) loaded->SetSize(width, height);
  return loaded;
}

// The tank saved and read back at its own size.
inline TRef<TWater> Reloaded(const TWater& tank) {
  return ReadTank(SavedText(tank), tank.W(), tank.H());
}

}  // namespace wavora::test

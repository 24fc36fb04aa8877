#pragma once

#include <cstdint>
#include <string>

#include "model/node.h"
#include "sim/water.h"

namespace wavora {

class TFastDIB;

// An ordered collection of tanks of one size. Every tank added gets the collection's size, so a
// created or pasted slide always matches the others.
class TWaterCollection : public TXMLNode {
 public:
  // The format version this program writes.
  static constexpr float kVersion = 0.5f;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  int add(const iXMLNode& node) override;

  virtual TRef<TWater> GetActiveWater() const { return {}; }
  virtual int SlideCount() const { return GetChildCount(); }
  // The slide's name and description (a tank derives them from its medium object when it has none of
  // its own); empty out of range.
  virtual std::string SlideName(int index) const;
  virtual std::string SlideDescription(int index) const;
  virtual int32_t SlideUniqueID(int index) const;
  // Draws the slide's field and objects into the image, for thumbnails.
  virtual void DrawSlide(int index, TFastDIB& image) const;

  // Child index when it is a tank, else none.
  TRef<TWater> GetWater(int index) const;
  // Gives every tank the size (which rebuilds its grid and clears its field).
  void SetTankSize(int32_t width, int32_t height);
  // New identifiers for every tank and object, keeping the same slide active.
  void PrepareAfterLoad();

  int32_t ActiveID = 0;
  int32_t TankWidth() const { return tankWidth_; }
  int32_t TankHeight() const { return tankHeight_; }
  // Reading gives this program's version; writing records the version a file declares.
  float GetVersion() const { return kVersion; }
  void SetVersion(float value) { loadedVersion_ = value; }
  // The version the last file read declared (0 when it declared none).
  float LoadedVersion() const { return loadedVersion_; }

 private:
  int32_t tankWidth_ = 0;
  int32_t tankHeight_ = 0;
  float loadedVersion_ = 0;
};

// The document: a slideshow whose children are the slides, in order.
class TSlideshow : public TWaterCollection {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // The tank whose UniqueID equals ActiveID (the last when several do), or none.
  TRef<TWater> GetActiveWater() const override;
};

}  // namespace wavora

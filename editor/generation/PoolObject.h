#pragma once

namespace joyvane {

// The five writer objects of the pool. Each is made again for every card
// object that uses it, so one serves any number of card objects.
enum class PoolObject { Object1 = 1, Object2, Object3, Object4, Object5 };

// Pictures and sounds both live in object 1; object 2 is never used.
inline constexpr PoolObject kPictureObject = PoolObject::Object1;
inline constexpr PoolObject kSoundObject = PoolObject::Object1;
inline constexpr PoolObject kFontObject = PoolObject::Object3;
inline constexpr PoolObject kTextObject = PoolObject::Object4;
// The black rectangle that covers a fading picture.
inline constexpr PoolObject kCoverObject = PoolObject::Object5;

} // namespace joyvane

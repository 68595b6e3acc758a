#pragma once

namespace Vexmor::levelloader {

class BlockObject;
class Item;

// Receives what a level file describes while it is parsed. The game builds the objects
// at once; a checker or a fuzzer only looks at the descriptions.
class LevelSink {
public:
    virtual ~LevelSink() = default;

    // An accepted item line, as soon as it is read.
    virtual void itemCreated(Item& item) = 0;
    // Every block of the finished grid (walls with their open sides included), in x, y, z
    // order. Walls closed on every side build nothing and are left out.
    virtual void blockCreated(BlockObject& block) = 0;
};

} // namespace Vexmor::levelloader

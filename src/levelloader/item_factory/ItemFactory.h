#pragma once

#include "levelloader/Item.h"
#include "levelloader/ParseContext.h"

#include <memory>
#include <string>

namespace Vexmor::levelloader::item_factory {

// Turns the tag lines of one tag into items, with the same line checks as the blocks.
class ItemFactory {
public:
    ItemFactory(std::string name, std::int32_t minParams);
    virtual ~ItemFactory() = default;

    virtual std::unique_ptr<Item> create(const Tokens& params, const ParseContext& context);
    virtual bool handles(const std::string& tag) const;

    const std::string name;
    const std::int32_t minParams;

protected:
    virtual std::unique_ptr<Item> doCreate(const Tokens& params, std::int32_t x, std::int32_t y,
                                           std::int32_t z, const ParseContext& context) = 0;
};

} // namespace Vexmor::levelloader::item_factory

#include "levelloader/item_factory/ItemFactory.h"

#include "levelloader/FactoryChecks.h"

namespace Vexmor::levelloader::item_factory {

ItemFactory::ItemFactory(std::string name, std::int32_t minParams)
    : name(std::move(name)), minParams(minParams) {}

std::unique_ptr<Item> ItemFactory::create(const Tokens& params, const ParseContext& context) {
    if (!acceptsLine(name, minParams, params, context.out)) {
        return nullptr;
    }
    const std::int32_t x = context.numbers.toInt(params[1]);
    const std::int32_t y = context.numbers.toInt(params[2]);
    const std::int32_t z = context.numbers.toInt(params[3]);
    return doCreate(params, x, y, z, context);
}

bool ItemFactory::handles(const std::string& tag) const {
    return tag == name;
}

} // namespace Vexmor::levelloader::item_factory

#include "levelloader/blockfactory/BlockFactory.h"

#include "levelloader/FactoryChecks.h"

namespace Vexmor::levelloader::blockfactory {

BlockFactory::BlockFactory(std::string name, std::int32_t minParams)
    : name(std::move(name)), minParams(minParams) {}

std::unique_ptr<BlockObject> BlockFactory::create(const Tokens& params,
                                                  const ParseContext& context) {
    if (!acceptsLine(name, minParams, params, context.out)) {
        return nullptr;
    }
    const std::int32_t x = context.numbers.toInt(params[1]);
    const std::int32_t y = context.numbers.toInt(params[2]);
    const std::int32_t z = context.numbers.toInt(params[3]);
    return doCreate(x, y, z, params, context);
}

bool BlockFactory::handles(const std::string& tag) const {
    return tag == name;
}

std::int32_t optionalParam(const Tokens& params, std::size_t index, const ParseContext& context) {
    return params.size() > index ? context.numbers.toInt(params[index]) : 0;
}

int orientationParam(const std::string& tag, const Tokens& params, const ParseContext& context) {
    const std::int32_t orientation = optionalParam(params, 4, context);
    const int turns = BlockAlignedObject::quarterTurns(orientation);
    if (turns != orientation) {
        context.out << "[Warn] LevelLoader: Block '" << tag << "' in line "
                    << context.numbers.line() << " has orientation " << orientation << ", using "
                    << turns << std::endl;
    }
    return turns;
}

int choiceParam(const std::string& tag, const Tokens& params, std::size_t index, int last,
                const char* what, const ParseContext& context) {
    const std::int32_t value = optionalParam(params, index, context);
    if (value < 0 || value > last) {
        context.out << "[Warn] LevelLoader: Block '" << tag << "' in line "
                    << context.numbers.line() << " has unknown " << what << " " << value
                    << ", using 0" << std::endl;
        return 0;
    }
    return value;
}

} // namespace Vexmor::levelloader::blockfactory

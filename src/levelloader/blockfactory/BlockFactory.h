#pragma once

#include "levelloader/BlockObject.h"
#include "levelloader/ParseContext.h"

#include <memory>
#include <string>

namespace Vexmor::levelloader::blockfactory {

// Turns the tag lines of one tag into blocks: checks the line's length, reads the cell
// and leaves the block's own parameters to the concrete factory.
class BlockFactory {
public:
    BlockFactory(std::string name, std::int32_t minParams);
    virtual ~BlockFactory() = default;

    // The block of a tag line, or null (with a message) when the line can't make one.
    virtual std::unique_ptr<BlockObject> create(const Tokens& params, const ParseContext& context);
    virtual bool handles(const std::string& tag) const;

    const std::string name;
    // Tokens a line needs at least, the tag included.
    const std::int32_t minParams;

protected:
    virtual std::unique_ptr<BlockObject> doCreate(std::int32_t x, std::int32_t y, std::int32_t z,
                                                  const Tokens& params,
                                                  const ParseContext& context) = 0;
};

// The optional integer parameter at `index`, or 0 when the line is shorter.
std::int32_t optionalParam(const Tokens& params, std::size_t index, const ParseContext& context);

// The orientation at token 4 (0 when missing) as the quarter turns the block makes. A value
// outside 0 to 3 is warned about and taken modulo 4.
int orientationParam(const std::string& tag, const Tokens& params, const ParseContext& context);

// An optional parameter that names one of the values 0 to `last`: any other value is
// warned about as an unknown `what` and read as 0, the default.
int choiceParam(const std::string& tag, const Tokens& params, std::size_t index, int last,
                const char* what, const ParseContext& context);

} // namespace Vexmor::levelloader::blockfactory

#pragma once

#include <memory>
#include <string>
#include <vector>

namespace Vexmor::engine {

class Model;
class ShaderProgram;

// Turns a model file into a Model bound to a program; chosen by file extension.
class ModelLoader {
public:
    virtual ~ModelLoader() = default;

    // File name endings without the dot, compared case-insensitively.
    virtual const std::vector<std::string>& supportedExtensions() const = 0;
    virtual std::unique_ptr<Model> load(const std::string& fileName, ShaderProgram* program) = 0;
};

} // namespace Vexmor::engine

#pragma once

#include "engine/Model.h"
#include "engine/ModelLoader.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace Vexmor::engine {

class ShaderProgram;

// Every model of the process, loaded once per file name and kept until shutdown.
class ModelLibrary {
public:
    // Created on first use; creating it also loads the shader programs.
    static ModelLibrary& getInstance();
    static bool hasInstance();
    static void destroyInstance();

    ~ModelLibrary();

    // The model for this file name (cached exactly as asked), loaded on the first request
    // with the program then in force; null when no loader takes the name.
    Model* getModel(const std::string& name);

    // The program new models are bound to; the first request of a file decides for good.
    ShaderProgram* defaultProgram;

private:
    ModelLibrary();

    std::vector<std::unique_ptr<ModelLoader>> loaders;
    std::map<std::string, std::unique_ptr<Model>> models;

    static std::unique_ptr<ModelLibrary> instance;
};

} // namespace Vexmor::engine

#include "engine/ModelLibrary.h"

#include "engine/ObjLoader.h"
#include "engine/ShaderLibrary.h"

#include <boost/algorithm/string/case_conv.hpp>
#include <boost/algorithm/string/predicate.hpp>

#include <iostream>

namespace Vexmor::engine {

std::unique_ptr<ModelLibrary> ModelLibrary::instance;

ModelLibrary& ModelLibrary::getInstance() {
    if (!instance) {
        instance.reset(new ModelLibrary());
    }
    return *instance;
}

bool ModelLibrary::hasInstance() {
    return instance != nullptr;
}

void ModelLibrary::destroyInstance() {
    instance.reset();
}

ModelLibrary::ModelLibrary() : defaultProgram(ShaderLibrary::getInstance().simpleProgram.get()) {
    loaders.push_back(std::make_unique<ObjLoader>());
}

// Models first, then the loaders that made them.
ModelLibrary::~ModelLibrary() {
    models.clear();
    loaders.clear();
}

Model* ModelLibrary::getModel(const std::string& name) {
    const auto cached = models.find(name);
    if (cached != models.end()) {
        return cached->second.get();
    }
    std::cout << "Loading Object-File '" << name << "'" << std::endl;

    const std::string lowerName = boost::algorithm::to_lower_copy(name);
    for (const auto& loader : loaders) {
        for (const std::string& extension : loader->supportedExtensions()) {
            if (boost::algorithm::ends_with(lowerName,
                                            boost::algorithm::to_lower_copy(extension))) {
                std::unique_ptr<Model>& slot = models[name];
                slot = loader->load(name, defaultProgram);
                return slot.get();
            }
        }
    }
    return nullptr;
}

} // namespace Vexmor::engine

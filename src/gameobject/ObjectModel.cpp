#include "gameobject/ObjectModel.h"

#include "engine/GameObject.h"
#include "engine/ModelLibrary.h"
#include "engine/ShaderLibrary.h"
#include "platform/Console.h"

#include <iostream>

namespace Vexmor::gameobject {

engine::Model* levelModel(const std::string& fileName) {
    engine::ModelLibrary& models = engine::ModelLibrary::getInstance();
    models.defaultProgram = engine::ShaderLibrary::getInstance().materialShadowTextureProgram.get();
    return models.getModel(fileName);
}

void requireModel(const engine::GameObject& object, const char* className) {
    if (object.getModel() != nullptr) {
        return;
    }
    std::cout << "Error while init " << className << ": model is null!" << std::endl;
    platform::pause();
    platform::exitWith(platform::ExitStatus::MissingModel);
}

} // namespace Vexmor::gameobject

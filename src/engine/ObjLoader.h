#pragma once

#include "engine/ModelLoader.h"

namespace Vexmor::engine {

// Loads Wavefront OBJ files into triangle meshes; a broken file is fatal (status 3).
class ObjLoader : public ModelLoader {
public:
    ObjLoader();

    const std::vector<std::string>& supportedExtensions() const override;
    std::unique_ptr<Model> load(const std::string& fileName, ShaderProgram* program) override;

private:
    std::vector<std::string> extensions;
};

} // namespace Vexmor::engine

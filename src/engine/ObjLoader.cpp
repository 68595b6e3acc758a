#include "engine/ObjLoader.h"

#include "engine/ObjParser.h"
#include "engine/TriangleMesh.h"
#include "levelloader/TextFileReader.h"
#include "platform/Clock.h"
#include "platform/Console.h"

#include <iostream>

namespace Vexmor::engine {

ObjLoader::ObjLoader() : extensions{"obj"} {}

const std::vector<std::string>& ObjLoader::supportedExtensions() const {
    return extensions;
}

std::unique_ptr<Model> ObjLoader::load(const std::string& fileName, ShaderProgram* program) {
    const double start = platform::clockSeconds();

    // A missing or unreadable file is reported by the reader and loads as an empty mesh.
    std::string text;
    levelloader::TextFileReader reader(fileName.c_str());
    reader.readAll(text);

    ObjMeshData data;
    std::string error;
    if (!ObjParser::parse(text, fileName, std::cout, data, error)) {
        std::cout << error << std::endl;
        platform::pause();
        platform::exitWith(platform::ExitStatus::ObjModel);
    }

    auto mesh = std::make_unique<TriangleMesh>(
        program, data.positions.data(), data.uvs.data(), data.normals.data(), data.indices.data(),
        data.vertexCount(), static_cast<std::uint32_t>(data.indices.size()), data.boundingRadius);

    std::cout << "Model loaded in " << platform::clockSeconds() - start << " seconds! "
              << data.vertexCount() << " vertices loaded!" << std::endl;
    return mesh;
}

} // namespace Vexmor::engine

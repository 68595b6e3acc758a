#pragma once

#include <array>
#include <map>
#include <memory>
#include <utility>
#include <vector>

class btBoxShape;
class btCapsuleShape;
class btCollisionShape;
class btSphereShape;

namespace Vexmor::physics {

// Float keys compared exactly; a NaN (from a broken model) sorts after every number and
// equals itself, so the maps keep a strict order whatever comes in.
struct ExactFloatLess {
    bool operator()(float a, float b) const;
    template <std::size_t N>
    bool operator()(const std::array<float, N>& a, const std::array<float, N>& b) const {
        for (std::size_t i = 0; i < N; ++i) {
            if ((*this)(a[i], b[i])) {
                return true;
            }
            if ((*this)(b[i], a[i])) {
                return false;
            }
        }
        return false;
    }
};

// Every collision shape of the process, shared by all bodies that ask for the same sizes
// and kept until shutdown, so bodies and levels never delete shapes.
class CollisionShapeLibrary {
public:
    static CollisionShapeLibrary& getInstance();
    static bool hasInstance();
    static void destroyInstance();

    ~CollisionShapeLibrary();

    // Full edge lengths, not half extents.
    btBoxShape* getBox(float x, float y, float z);
    btSphereShape* getSphere(float radius);
    // A y-axis capsule; height is the distance between the hemisphere centres.
    btCapsuleShape* getCapsule(float radius, float height);
    // Takes over a shape that is not looked up again (hulls, compounds).
    void adoptShape(std::unique_ptr<btCollisionShape> shape);

    std::size_t shapeCount() const;

private:
    CollisionShapeLibrary() = default;

    std::map<std::array<float, 3>, std::unique_ptr<btBoxShape>, ExactFloatLess> boxes;
    std::map<float, std::unique_ptr<btSphereShape>, ExactFloatLess> spheres;
    std::map<std::array<float, 2>, std::unique_ptr<btCapsuleShape>, ExactFloatLess> capsules;
    std::vector<std::unique_ptr<btCollisionShape>> adopted;

    static std::unique_ptr<CollisionShapeLibrary> instance;
};

} // namespace Vexmor::physics

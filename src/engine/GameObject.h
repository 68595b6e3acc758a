#pragma once

#include "physics/OwnedRigidBody.h"

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class btRigidBody;

namespace Vexmor::engine {

class Model;
class RenderContext;

// Anything placed in a level and drawn: a local transform relative to an optional parent,
// a shared model with a texture name, a cached world matrix (taken from a physics body
// when the object has one) and a static bounding sphere body that follows the object.
class GameObject {
public:
    GameObject();
    explicit GameObject(const glm::mat4& transform);
    virtual ~GameObject();
    GameObject(const GameObject&) = delete;
    GameObject& operator=(const GameObject&) = delete;

    // What owners call each pass; draws the object by default.
    virtual void render(RenderContext& context);
    virtual void update(double seconds);
    // Puts the object's matrices and texture into the context and draws its model; the
    // keys are left present with null values afterwards.
    virtual void draw(RenderContext& context);
    // The object's own per-frame logic.
    virtual void onUpdate(double seconds) = 0;
    virtual const glm::mat4& getWorldMatrix();

    void setTransform(const glm::mat4& matrix);
    void setParent(GameObject* newParent);
    // Whether the point lies within `radius` of the world position, the border included.
    bool containsPoint(const glm::vec3& point);
    // The reach that `containsPoint` tests; never negative.
    float getRadius() const;
    // The sphere around the world position that holds all the object draws, for culling.
    float getCullingRadius() const { return cullingRadius; }
    glm::vec3 getWorldPosition();

    // Replaces the model: reach and culling radius from it and a bounding body at the
    // current world position; a null model leaves the object drawing nothing.
    void attachModel(Model* newModel);
    void releaseModel();
    void createBoundingBody();

    Model* getModel() const { return model; }
    const std::string& getTexture() const { return texture; }
    void setTexture(const std::string& name) { texture = name; }
    // Light of its own, independent of the lamp; 0 for anything that only reflects.
    float getEmission() const { return emission; }
    void setEmission(float value) { emission = value; }
    const glm::mat4& getTransform() const { return transform; }
    GameObject* getParent() const { return parent; }
    const std::vector<GameObject*>& getChildren() const { return children; }
    btRigidBody* getBoundingBody() const;
    btRigidBody* getPhysicsBody() const { return physicsBody; }
    // The world matrix follows this body from now on (not owned).
    void setPhysicsBody(btRigidBody* body);

protected:
    virtual void computeWorldMatrix();
    void dropWorldCache();

    std::string texture = "img\\default.png";
    glm::mat4 transform{1.0f};
    float radius = 1.0f;
    // Apart from the reach: an object may draw more than its model (the time machine
    // draws its parts), and what the player can reach must not change with it.
    float cullingRadius = 1.0f;
    float emission = 0.0f;

private:
    GameObject* parent = nullptr;
    std::vector<GameObject*> children;
    Model* model = nullptr;
    // Points at `transform` itself, or at `ownedWorld` when the world matrix had to be
    // computed (parent or physics body).
    const glm::mat4* worldCache = nullptr;
    std::optional<glm::mat4> ownedWorld;
    std::unique_ptr<physics::OwnedRigidBody> boundingBody;
    btRigidBody* physicsBody = nullptr;
};

} // namespace Vexmor::engine

#include "engine/GameObject.h"

#include "engine/Model.h"
#include "engine/RenderContext.h"

#include <BulletCollision/CollisionShapes/btSphereShape.h>
#include <BulletDynamics/Dynamics/btRigidBody.h>
#include <LinearMath/btDefaultMotionState.h>
#include <glm/gtc/type_ptr.hpp>
#include <glm/matrix.hpp>

#include <algorithm>

namespace Vexmor::engine {

namespace {

const void* valueOrInsertNull(RenderContext& context, std::string_view key) {
    const void* value = nullptr;
    if (!context.lookup(key, value)) {
        context.set(key, nullptr);
    }
    return value;
}

} // namespace

GameObject::GameObject() = default;

GameObject::GameObject(const glm::mat4& transform) : transform(transform) {}

GameObject::~GameObject() {
    parent = nullptr;
    dropWorldCache();
    releaseModel();
}

void GameObject::render(RenderContext& context) {
    draw(context);
}

void GameObject::update(double seconds) {
    dropWorldCache();
    onUpdate(seconds);
    dropWorldCache();
    if (boundingBody && physicsBody != nullptr) {
        const glm::vec3 w = getWorldPosition();
        btDefaultMotionState* motionState = boundingBody->getMotionState();
        btTransform placed;
        motionState->getWorldTransform(placed);
        placed.setOrigin(btVector3(w.x, w.y, w.z));
        motionState->setWorldTransform(placed);
    }
}

void GameObject::draw(RenderContext& context) {
    if (model == nullptr) {
        return;
    }
    const glm::mat4 identity(1.0f);
    const auto* view = static_cast<const glm::mat4*>(valueOrInsertNull(context, "viewTransform"));
    if (view == nullptr) {
        view = &identity;
    }
    const auto* lightView =
        static_cast<const glm::mat4*>(valueOrInsertNull(context, "lightViewTransform"));
    const glm::mat4& world = getWorldMatrix();
    const glm::mat4 lightTransform = lightView != nullptr ? *lightView * world : world;
    const glm::mat4 viewWorld = *view * world;
    const glm::mat4 inverseWorld = glm::inverse(world);

    context.set("transform", glm::value_ptr(viewWorld));
    context.set("worldTrans", glm::value_ptr(world));
    context.set("invWorldTrans", glm::value_ptr(inverseWorld));
    context.set("texture", &texture);
    context.set("lightTransform", glm::value_ptr(lightTransform));
    context.set("emission", &emission);

    model->doDrawing(context);

    context.set("emission", nullptr);
    context.set("lightTransform", nullptr);
    context.set("texture", nullptr);
    context.set("transform", nullptr);
    context.set("worldTrans", nullptr);
    context.set("invWorldTrans", nullptr);
}

const glm::mat4& GameObject::getWorldMatrix() {
    if (worldCache == nullptr) {
        computeWorldMatrix();
    }
    return *worldCache;
}

void GameObject::computeWorldMatrix() {
    if (physicsBody != nullptr) {
        btTransform bodyTransform;
        physicsBody->getMotionState()->getWorldTransform(bodyTransform);
        glm::mat4 world(1.0f);
        bodyTransform.getOpenGLMatrix(glm::value_ptr(world));
        ownedWorld = world;
        worldCache = &*ownedWorld;
    } else if (parent != nullptr) {
        ownedWorld = parent->getWorldMatrix() * transform;
        worldCache = &*ownedWorld;
    } else {
        worldCache = &transform;
    }
}

void GameObject::dropWorldCache() {
    worldCache = nullptr;
    ownedWorld.reset();
}

void GameObject::setTransform(const glm::mat4& matrix) {
    dropWorldCache();
    transform = matrix;
}

void GameObject::setParent(GameObject* newParent) {
    dropWorldCache();
    if (parent != nullptr) {
        auto& siblings = parent->children;
        const auto self = std::find(siblings.begin(), siblings.end(), this);
        if (self != siblings.end()) {
            siblings.erase(self);
        }
    }
    parent = newParent;
    if (parent != nullptr) {
        parent->children.push_back(this);
    }
}

glm::vec3 GameObject::getWorldPosition() {
    return glm::vec3(getWorldMatrix()[3]);
}

bool GameObject::containsPoint(const glm::vec3& point) {
    const glm::vec3 offset = point - getWorldPosition();
    return glm::dot(offset, offset) <= radius * radius;
}

float GameObject::getRadius() const {
    return radius < 0.0f ? 0.0f : radius;
}

void GameObject::attachModel(Model* newModel) {
    releaseModel();
    model = newModel;
    if (model != nullptr) {
        radius = model->boundingRadius;
        cullingRadius = model->boundingRadius;
        createBoundingBody();
    }
}

void GameObject::releaseModel() {
    model = nullptr;
    radius = 0.0f;
    cullingRadius = 0.0f;
    boundingBody.reset();
}

void GameObject::createBoundingBody() {
    if (model == nullptr) {
        return;
    }
    const glm::vec3 w = getWorldPosition();
    btTransform start;
    start.setIdentity();
    start.setOrigin(btVector3(w.x, w.y, w.z));
    boundingBody = std::make_unique<physics::OwnedRigidBody>(
        0.0f, model->boundingShape, start,
        std::make_unique<physics::BodyTag>(physics::BodyTag{physics::BodyTag::gameObject, this}));
}

btRigidBody* GameObject::getBoundingBody() const {
    return boundingBody ? boundingBody->get() : nullptr;
}

void GameObject::setPhysicsBody(btRigidBody* body) {
    physicsBody = body;
    dropWorldCache();
}

} // namespace Vexmor::engine

#version 330 core

// The shadow map has no colour attachment; the fixed depth write is all we need.

void main() {
}

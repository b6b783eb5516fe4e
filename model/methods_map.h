#pragma once
// MethodsMap: the project-wide method map (placeholder until the model records land).
class MethodsMap {};

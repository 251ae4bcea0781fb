#pragma once

#include <filesystem>

#include "writer/com/client/DispatchObject.h"

// One small movie with shapes, fills, transforms, removals and frame
// actions, built twice: through the writer's C++ interface, and by name
// through late binding with real numbers where the caller computes them (as
// the card editor does). The transforms of the late-bound scene are halves
// that round to the integers the direct scene passes.
void WriteSceneDirect(const std::filesystem::path& path);

// `create` makes a new object of a class named "swfMovie", "swfObject" or
// "swfAction".
using ObjectMaker = quillot::com::DispatchObject (*)(const char* className);
void WriteSceneLateBound(ObjectMaker create, const std::filesystem::path& path);

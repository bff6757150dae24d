#include "model/ProjectGroup.h"

ProjectGroup::ProjectGroup(const std::string& name, ProjectConverter* converter)
    : converter(converter), name(name) {}

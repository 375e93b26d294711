#include "ILI.h"

ILI::~ILI() = default;

#include "TopConcepts.h"

TopConcepts::~TopConcepts() = default;

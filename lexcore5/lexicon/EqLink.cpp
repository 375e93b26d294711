#include "EqLink.h"

EqLink::~EqLink() = default;

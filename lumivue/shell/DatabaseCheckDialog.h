// "Check Database": the whole-file check of the open database under a progress dialog that can
// stop it; what the check found is then shown to the person.
#pragma once

#include <string>

class PersonInterface;
class QWidget;

// Checks the database file at `path` (open read-only elsewhere at the same time) and blocks until
// the check ends or is stopped.
void CheckDatabase(QWidget* parent, PersonInterface& person, const std::string& path);

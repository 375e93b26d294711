// "Check Database": the whole-file check of the open database under a progress dialog that can
// stop it; what the check found is then shown to the person.
#pragma once

#include <string>

class PersonInterface;
class QWidget;

// Checks the database file at `path` (open read-only elsewhere at the same time, or refused by
// the last open because it is damaged) and blocks until the check ends or is stopped. An empty
// path only tells the person to open a database first.
void CheckDatabase(QWidget* parent, PersonInterface& person, const std::string& path);

// How the view and export files report that the file system refused a file.
#pragma once

#include <string>

class PersonInterface;

// Shows the system's text for the current errno, with the path, in a message box and in the
// status bar ("<path>: <error text>", at most 256 characters of error text).
void ShowFileError(const std::string& path, PersonInterface& person);

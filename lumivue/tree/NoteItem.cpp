#include "tree/NoteItem.h"

#include <utility>

NoteItem::NoteItem(std::string text)
    : TreeItem(LineKind::kNote, std::move(text), kNoImage, line_flag::kVisible) {}

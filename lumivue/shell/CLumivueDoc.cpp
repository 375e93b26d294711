#include "shell/CLumivueDoc.h"

namespace {

QString KindName(ViewKind kind) {
  return kind == ViewKind::kMonolingual ? QStringLiteral("Monolingual View ")
                                        : QStringLiteral("Multilingual View ");
}

}  // namespace

CLumivueDoc::CLumivueDoc(ViewKind kind, int number)
    : title_(KindName(kind) + QString::number(number)) {}

QString CLumivueDoc::WindowTitle(int window, int windows) const {
  return windows > 1 ? title_ + ':' + QString::number(window) : title_;
}

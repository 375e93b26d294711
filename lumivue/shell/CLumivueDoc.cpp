#include "shell/CLumivueDoc.h"

#include <QFileInfo>

namespace {

QString KindName(ViewKind kind) {
  return kind == ViewKind::kMonolingual ? QStringLiteral("Monolingual View ")
                                        : QStringLiteral("Multilingual View ");
}

}  // namespace

CLumivueDoc::CLumivueDoc(ViewKind kind, int number)
    : kind_(kind), title_(KindName(kind) + QString::number(number)) {}

void CLumivueDoc::SetPath(const QString& path) {
  path_ = path;
  title_ = QFileInfo(path).fileName();
}

QString CLumivueDoc::WindowTitle(int window, int windows) const {
  return windows > 1 ? title_ + ':' + QString::number(window) : title_;
}

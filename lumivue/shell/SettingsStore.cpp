#include "shell/SettingsStore.h"

#include <QSettings>

namespace {

QSettings ProgramStore() {
  return QSettings(QString::fromUtf8(ViewerSettings::kOrganisation),
                   QString::fromUtf8(ViewerSettings::kApplication));
}

// Opens the viewer's group for as long as it lives.
class ViewerGroup {
 public:
  explicit ViewerGroup(QSettings& store) : store_(store) {
    store_.beginGroup(QString::fromUtf8(ViewerSettings::kGroup));
  }
  ViewerGroup(const ViewerGroup&) = delete;
  ViewerGroup& operator=(const ViewerGroup&) = delete;
  ~ViewerGroup() { store_.endGroup(); }

 private:
  QSettings& store_;
};

// A stored whole number; `fallback` when it is absent or not a number.
std::int32_t ReadNumber(const QSettings& store, const char* name, std::int32_t fallback) {
  bool isNumber = false;
  const int value = store.value(QString::fromUtf8(name)).toInt(&isNumber);
  return isNumber ? value : fallback;
}

std::string ReadText(const QSettings& store, const char* name, const std::string& fallback) {
  const QVariant value = store.value(QString::fromUtf8(name));
  return value.isValid() ? value.toString().toStdString() : fallback;
}

}  // namespace

ViewerSettings SettingsStore::Read() {
  QSettings store = ProgramStore();
  return Read(store);
}

void SettingsStore::Write(const ViewerSettings& settings) {
  QSettings store = ProgramStore();
  Write(store, settings);
}

QByteArray SettingsStore::ReadBarState() {
  QSettings store = ProgramStore();
  const ViewerGroup group(store);
  return store.value(QString::fromUtf8(kBarStateName)).toByteArray();
}

void SettingsStore::WriteBarState(const QByteArray& state) {
  QSettings store = ProgramStore();
  const ViewerGroup group(store);
  store.setValue(QString::fromUtf8(kBarStateName), state);
}

std::vector<std::string> SettingsStore::ReadRecentFiles() {
  QSettings store = ProgramStore();
  store.beginGroup(QString::fromUtf8(kRecentGroupName));
  std::vector<std::string> paths;
  for (int number = 1; number <= ViewerSettings::kRecentFiles; ++number) {
    const QVariant path = store.value(QStringLiteral("File%1").arg(number));
    if (path.typeId() == QMetaType::QString) paths.push_back(path.toString().toStdString());
  }
  return paths;
}

void SettingsStore::WriteRecentFiles(const std::vector<std::string>& paths) {
  QSettings store = ProgramStore();
  store.remove(QString::fromUtf8(kRecentGroupName));
  store.beginGroup(QString::fromUtf8(kRecentGroupName));
  for (std::size_t index = 0; index < paths.size(); ++index) {
    store.setValue(QStringLiteral("File%1").arg(index + 1), QString::fromStdString(paths[index]));
  }
  store.endGroup();
  store.sync();
}

ViewerSettings SettingsStore::Read(QSettings& store) {
  const ViewerGroup group(store);
  ViewerSettings settings;
  settings.database = ReadText(store, ViewerSettings::kDatabaseName, settings.database);
  settings.maximized = ReadNumber(store, ViewerSettings::kStatusName, 0) == 1;
  const QByteArray position =
      store.value(QString::fromUtf8(ViewerSettings::kPositionName)).toByteArray();
  settings.position =
      ViewerSettings::DecodePosition(reinterpret_cast<const std::uint8_t*>(position.constData()),
                                     static_cast<std::size_t>(position.size()));
  settings.fontSize = ReadNumber(store, ViewerSettings::kFontSizeName, settings.fontSize);
  settings.fontName = ReadText(store, ViewerSettings::kFontNameName, settings.fontName);
  settings.dataTips = ReadNumber(store, ViewerSettings::kDataTipsName, 1) != 0;
  return settings;
}

void SettingsStore::Write(QSettings& store, const ViewerSettings& settings) {
  const ViewerGroup group(store);
  store.setValue(QString::fromUtf8(ViewerSettings::kDatabaseName),
                 QString::fromStdString(settings.database));
  store.setValue(QString::fromUtf8(ViewerSettings::kStatusName), settings.maximized ? 1 : 0);
  if (settings.position) {
    const auto bytes = ViewerSettings::EncodePosition(*settings.position);
    store.setValue(QString::fromUtf8(ViewerSettings::kPositionName),
                   QByteArray(reinterpret_cast<const char*>(bytes.data()),
                              static_cast<qsizetype>(bytes.size())));
  }
  store.setValue(QString::fromUtf8(ViewerSettings::kFontSizeName), settings.fontSize);
  store.setValue(QString::fromUtf8(ViewerSettings::kFontNameName),
                 QString::fromStdString(settings.fontName));
  store.setValue(QString::fromUtf8(ViewerSettings::kDataTipsName), settings.dataTips ? 1 : 0);
  store.sync();
}

// A small lexical database in four scripts for the widget tests, built in a scratch folder:
//   languages, in this order: "EN" English (store 100), "AR" Arabic (101), "HE" Hebrew (102),
//     "ZH" Chinese (103), each with the collation of its own locale;
//   ILI record 1 "a member of the genus Canis" (noun);
//   in each language concept 1, a noun linked to ILI record 1 as a synonym, with the variants
//     dog 1, domestic dog 1 (EN); كلْب 1, كلْب منزلي 1 (AR); כלב 1, כלב בית 1 (HE); 狗 1, 犬 1 (ZH).
#pragma once

#include <QTemporaryDir>
#include <string>

class ScriptsTestDatabase {
 public:
  struct Language {
    const char* code;
    const char* name;
    const char* firstVariant;  // as the first variant's text shows it ("dog :1")
  };
  static constexpr Language kLanguages[] = {{"EN", "English", "dog :1"},
                                            {"AR", "Arabic", "كلْب :1"},
                                            {"HE", "Hebrew", "כלב :1"},
                                            {"ZH", "Chinese", "狗 :1"}};

  // Throws std::runtime_error when the database cannot be built.
  ScriptsTestDatabase();
  const std::string& Path() const { return path_; }

 private:
  QTemporaryDir folder_;
  std::string path_;
};

// The names under which the viewer shows the parts of speech, by the code letter that starts the
// library's part-of-speech text ("n", "v", "a", "b", "pn") and by the numbers 1 to 5 of the filter.
#pragma once

class PartOfSpeechNames {
 public:
  static constexpr int kCount = 5;

  // "Noun", "Verb", "Adjective", "Adverb", "Proper Noun" for 1 to 5; null for any other number.
  static const char* OfNumber(int number);
  // The number (1 to 5) of the code letters 'n', 'v', 'a', 'b', 'p'; 0 for any other letter.
  static int NumberOfCode(char code);
  // OfNumber(NumberOfCode(code)): null when the letter has no name.
  static const char* OfCode(char code);
};

// The 15 pictures that stand before tree lines, drawn as shapes so that they stay sharp at any
// scale (the printer's too). Indexes: 0 word, 1 part of speech, 2 concept, 3 relation, 4 no ILI
// link, 5 to 13 the equivalence relations 1 to 9 (synonym, near synonym, has hyperonym, has
// hyponym, has holonym, has meronym, causes, be in state, has subevent); 14 is not given to any
// line and draws nothing.
#pragma once

#include <QPainter>
#include <QRectF>

class LineIcons {
 public:
  static constexpr int kCount = 15;
  // The size every icon is designed at; Draw stretches it to the target.
  static constexpr int kWidth = 15;
  static constexpr int kHeight = 10;

  // Draws icon `index` into `target`; an index outside 0..kCount-1 draws nothing.
  static void Draw(QPainter& painter, int index, const QRectF& target);

 private:
  static void DrawWord(QPainter& painter);
  static void DrawPartOfSpeech(QPainter& painter);
  static void DrawConcept(QPainter& painter);
  static void DrawRelation(QPainter& painter);
  static void DrawNoIliLink(QPainter& painter);
  // The globe of the inter-lingual index with the sign of equivalence relation 1..9 beside it.
  static void DrawEquivalence(QPainter& painter, int relation);
  static void DrawRelationSign(QPainter& painter, int relation);
};

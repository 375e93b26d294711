#include "tree/LineIcons.h"

#include <QColor>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>

namespace {
const QColor kInk(0x33, 0x33, 0x33);
const QColor kWordBlue(0x1f, 0x3a, 0x93);
const QColor kCardFill(0xff, 0xf8, 0xdc);
const QColor kGreen(0x2e, 0x8b, 0x57);
const QColor kOrange(0xe8, 0x87, 0x1e);
const QColor kOrangeRim(0xa8, 0x5a, 0x0c);
const QColor kPurple(0x7b, 0x3f, 0xa0);
const QColor kGrey(0x80, 0x80, 0x80);
const QColor kRed(0xd0, 0x20, 0x20);
const QColor kTeal(0x2a, 0x9d, 0x8f);

// An arrow head at `tip` pointing along (dx, dy), a unit direction.
void ArrowHead(QPainter& painter, QPointF tip, qreal dx, qreal dy) {
  const qreal length = 3.0;
  const qreal half = 2.2;
  const QPointF base(tip.x() - dx * length, tip.y() - dy * length);
  painter.drawPolygon(QPolygonF{tip, QPointF(base.x() - dy * half, base.y() + dx * half),
                                QPointF(base.x() + dy * half, base.y() - dx * half)});
}
}  // namespace

void LineIcons::Draw(QPainter& painter, int index, const QRectF& target) {
  if (index < 0 || index >= kCount) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(target.topLeft());
  painter.scale(target.width() / kWidth, target.height() / kHeight);
  switch (index) {
    case 0:
      DrawWord(painter);
      break;
    case 1:
      DrawPartOfSpeech(painter);
      break;
    case 2:
      DrawConcept(painter);
      break;
    case 3:
      DrawRelation(painter);
      break;
    case 4:
      DrawNoIliLink(painter);
      break;
    case kCount - 1:
      break;
    default:
      DrawEquivalence(painter, index - 4);
      break;
  }
  painter.restore();
}

void LineIcons::DrawWord(QPainter& painter) {
  painter.setPen(QPen(kWordBlue, 1.0));
  painter.setBrush(kCardFill);
  painter.drawRect(QRectF(0.5, 0.5, 14.0, 9.0));
  painter.drawLine(QPointF(3.0, 3.5), QPointF(12.0, 3.5));
  painter.drawLine(QPointF(3.0, 6.5), QPointF(9.0, 6.5));
}

void LineIcons::DrawPartOfSpeech(QPainter& painter) {
  painter.setPen(QPen(kGreen.darker(130), 1.0));
  painter.setBrush(kGreen);
  painter.drawPolygon(QPolygonF{QPointF(0.5, 0.5), QPointF(10.5, 0.5), QPointF(14.5, 5.0),
                                QPointF(10.5, 9.5), QPointF(0.5, 9.5)});
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::white);
  painter.drawEllipse(QPointF(10.5, 5.0), 1.3, 1.3);
}

void LineIcons::DrawConcept(QPainter& painter) {
  painter.setPen(QPen(kOrangeRim, 1.0));
  painter.setBrush(kOrange);
  painter.drawEllipse(QPointF(7.5, 5.0), 4.4, 4.4);
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::white);
  painter.drawEllipse(QPointF(6.2, 3.8), 1.2, 1.2);
}

void LineIcons::DrawRelation(QPainter& painter) {
  painter.setPen(QPen(kPurple, 1.6));
  painter.drawLine(QPointF(1.0, 5.0), QPointF(11.0, 5.0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(kPurple);
  ArrowHead(painter, QPointF(14.5, 5.0), 1.0, 0.0);
}

void LineIcons::DrawNoIliLink(QPainter& painter) {
  painter.setPen(QPen(kGrey, 1.0));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(QPointF(7.5, 5.0), 4.4, 4.4);
  painter.drawLine(QPointF(3.1, 5.0), QPointF(11.9, 5.0));
  painter.drawEllipse(QPointF(7.5, 5.0), 1.8, 4.4);
  painter.setPen(QPen(kRed, 1.4));
  painter.drawLine(QPointF(3.0, 9.5), QPointF(12.0, 0.5));
}

void LineIcons::DrawEquivalence(QPainter& painter, int relation) {
  painter.setPen(QPen(kTeal.darker(140), 0.9));
  painter.setBrush(kTeal);
  painter.drawEllipse(QPointF(4.5, 5.0), 4.0, 4.0);
  painter.setPen(QPen(Qt::white, 0.8));
  painter.drawLine(QPointF(1.0, 5.0), QPointF(8.0, 5.0));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(QPointF(4.5, 5.0), 1.6, 4.0);
  DrawRelationSign(painter, relation);
}

void LineIcons::DrawRelationSign(QPainter& painter, int relation) {
  painter.setPen(QPen(kInk, 1.1));
  painter.setBrush(kInk);
  switch (relation) {
    case 1:  // synonym: equal
      painter.drawLine(QPointF(10.0, 3.5), QPointF(14.5, 3.5));
      painter.drawLine(QPointF(10.0, 6.5), QPointF(14.5, 6.5));
      break;
    case 2:  // near synonym: nearly equal
      painter.setBrush(Qt::NoBrush);
      for (const qreal y : {3.5, 6.5}) {
        painter.drawPolyline(QPolygonF{QPointF(10.0, y + 0.6), QPointF(11.5, y - 0.8),
                                       QPointF(13.0, y + 0.6), QPointF(14.5, y - 0.8)});
      }
      break;
    case 3:  // has hyperonym: up
      painter.drawLine(QPointF(12.25, 9.5), QPointF(12.25, 3.0));
      ArrowHead(painter, QPointF(12.25, 0.5), 0.0, -1.0);
      break;
    case 4:  // has hyponym: down
      painter.drawLine(QPointF(12.25, 0.5), QPointF(12.25, 7.0));
      ArrowHead(painter, QPointF(12.25, 9.5), 0.0, 1.0);
      break;
    case 5:  // has holonym: the whole around a part
      painter.setBrush(Qt::NoBrush);
      painter.drawRect(QRectF(9.8, 1.5, 4.7, 7.0));
      painter.setBrush(kInk);
      painter.drawRect(QRectF(11.6, 4.2, 1.2, 1.6));
      break;
    case 6:  // has meronym: parts
      painter.setPen(Qt::NoPen);
      painter.drawRect(QRectF(10.0, 1.5, 2.0, 2.0));
      painter.drawRect(QRectF(12.5, 4.0, 2.0, 2.0));
      painter.drawRect(QRectF(10.0, 6.5, 2.0, 2.0));
      break;
    case 7:  // causes: forward
      painter.drawLine(QPointF(9.8, 5.0), QPointF(12.0, 5.0));
      ArrowHead(painter, QPointF(14.8, 5.0), 1.0, 0.0);
      break;
    case 8:  // be in state: a resting point in a ring
      painter.setBrush(Qt::NoBrush);
      painter.drawEllipse(QPointF(12.2, 5.0), 2.4, 2.4);
      painter.setBrush(kInk);
      painter.drawEllipse(QPointF(12.2, 5.0), 0.7, 0.7);
      break;
    default:  // has subevent: down and on
      painter.setBrush(Qt::NoBrush);
      painter.drawPolyline(QPolygonF{QPointF(10.0, 1.0), QPointF(10.0, 7.5), QPointF(12.5, 7.5)});
      painter.setBrush(kInk);
      ArrowHead(painter, QPointF(14.8, 7.5), 1.0, 0.0);
      break;
  }
}

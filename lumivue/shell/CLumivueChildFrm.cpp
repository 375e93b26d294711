#include "shell/CLumivueChildFrm.h"

#include <QMainWindow>

#include "shell/CLumivueView.h"
#include "shell/LookupBar.h"

CLumivueChildFrm::CLumivueChildFrm(CLumivueView* view)
    : inner_(new QMainWindow(nullptr, Qt::Widget)), view_(view), inputBar_(new LookupBar(inner_)) {
  setAttribute(Qt::WA_DeleteOnClose);
  inner_->setCentralWidget(view_);
  inner_->addToolBar(Qt::TopToolBarArea, inputBar_);
  setWidget(inner_);
  connect(inputBar_, &LookupBar::LookUpWanted, view_, &CLumivueView::LookUp);
}

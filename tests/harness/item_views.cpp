#include "harness/item_views.h"

#include <gtest/gtest.h>
#include <QListWidget>
#include <QtTest/QTest>

namespace scoreink::test {

QStringList ListedNames(const QListWidget* list) {
  QStringList names;
  for (int row = 0; row < list->count(); ++row) names.append(list->item(row)->text());
  return names;
}

bool ClickListEntry(QListWidget* list, const QString& text) {
  const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
  if (found.isEmpty()) {
    ADD_FAILURE() << "The list has no entry " << text.toStdString() << "; it shows "
                  << ListedNames(list).join(", ").toStdString();
    return false;
  }
  ClickRow(list, list->indexFromItem(found.first()));
  return true;
}

void ClickRow(QAbstractItemView* view, const QModelIndex& index) {
  view->scrollTo(index);
  const QRect rect = view->visualRect(index);
  QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                    QPoint(rect.left() + 4, rect.center().y()));
}

bool WaitUntil(const std::function<bool()>& done, int timeoutMs) {
  return QTest::qWaitFor(done, timeoutMs);
}

void PressKey(QAbstractItemView* view, int key) {
  QTest::keyClick(view, Qt::Key(key));
}

}  // namespace scoreink::test

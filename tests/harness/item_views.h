#pragma once
// Drives list and tree views as a user would: a click on a named entry of a list, a click on a
// row of a tree, the arrow keys; and reads what a list shows.
#include <QModelIndex>
#include <QString>
#include <QStringList>
#include <functional>

class QAbstractItemView;
class QListWidget;

namespace scoreink::test {

// The texts of the list's entries, top to bottom.
QStringList ListedNames(const QListWidget* list);

// Scrolls the entry with that text into view and clicks it with the left button. Fails the
// test (and returns false) when the list has no such entry.
bool ClickListEntry(QListWidget* list, const QString& text);

// Scrolls index into view and clicks its row.
void ClickRow(QAbstractItemView* view, const QModelIndex& index);

// Runs the event loop until done() holds or timeoutMs pass; whether it held. For views whose
// models load in the background (the folder tree).
bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 5000);

// One press of a key (Qt::Key_Down ...) on the view.
void PressKey(QAbstractItemView* view, int key);

}  // namespace scoreink::test

#pragma once

// A file dragged from a file manager over a window, and dropped there.

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

// Whether the window offers to take the file while it is dragged over it; `drop` lets go of it there.
inline bool dragOver(QWidget& window, const QString& path, bool drop = false) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    if (drop) {
        QDropEvent event(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &event);
    }
    return enter.isAccepted();
}

// The whole gesture: dragged over the window, then dropped on it.
inline void dropFile(QWidget& window, const QString& path) { dragOver(window, path, true); }

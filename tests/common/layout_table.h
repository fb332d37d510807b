#pragma once

// A window checked against its layout table, written once as
// data: each control's name, its place (and size, where the table gives one)
// in twips, and its caption. The screen has 15 twips to a pixel.

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QSize>
#include <QtTest>

struct TableRow
{
    const char* name;
    QPoint at;         // twips
    QSize size = {};   // twips; empty when the table gives none
    QString text = {}; // the caption; empty when the table gives none
};

inline QString captionOf(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (const auto* line = qobject_cast<const QLineEdit*>(widget))
        return line->text();
    return QString();
}

inline void checkTable(const QWidget& window, const QList<TableRow>& rows)
{
    for (const TableRow& row : rows) {
        const auto* widget = window.findChild<const QWidget*>(QString::fromLatin1(row.name));
        QVERIFY2(widget, row.name);
        QCOMPARE(widget->pos(), row.at / 15);
        if (!row.size.isEmpty())
            QCOMPARE(widget->size(), row.size / 15);
        if (!row.text.isEmpty())
            QCOMPARE(captionOf(widget), row.text);
    }
}

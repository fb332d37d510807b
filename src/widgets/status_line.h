#pragma once

// The status line's message label: every area writes its hints and warnings
// here, in black or, as a warning, in dark red (white and light red on a dark
// panel colour).

class QLabel;
class QString;

class StatusLine
{
public:
    explicit StatusLine(QLabel* infoLabel);

    void ToonInfo(const QString& text, int warning) const;

private:
    QLabel* m_infoLabel;
};

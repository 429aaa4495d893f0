#pragma once

#include <QDialog>

class QLabel;

// The modeless About window: the application's title, version and description.
// It deletes itself when closed, so the next showing builds it anew.
class About : public QDialog {
    Q_OBJECT

public:
    explicit About(QWidget *parent = nullptr);

    // The About text as shown, line breaks as CR LF.
    static QString descriptionText();

private:
    void Form_Load();
    void cmdOK_Click();

    QLabel *m_title = nullptr;
    QLabel *m_version = nullptr;
    QLabel *m_description = nullptr;
};

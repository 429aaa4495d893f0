#pragma once

#include "master/mastertranslation.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <string_view>

class About;
class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// The main window: every control of both modes, built from the control table.
// Its controls are its only state; each handler reads them when it runs.
class Mapping : public QWidget {
    Q_OBJECT

public:
    // Shows the error box for a code and returns when the user has closed it.
    using ErrorBox = std::function<void(QWidget *parent, std::int16_t code)>;

    explicit Mapping(QWidget *parent = nullptr);
    ~Mapping() override;

    // Replaces the modal error box, so that tests can record the codes shown.
    void setErrorBox(ErrorBox errorBox);

    // The About window while it exists (hidden or shown), else null.
    About *aboutWindow() const;

    // The control of a name from the control table.
    QWidget *control(std::string_view name) const;
    QLabel *label(std::string_view name) const;
    QComboBox *dropDown(std::string_view name) const;
    QLineEdit *field(std::string_view name) const;
    QRadioButton *option(std::string_view name) const;

    Corvane::Master::PlcType plcType() const;
    Corvane::Master::AddressFormat addressFormat() const;

    // Sets a label's caption; a control that the label names takes the same
    // text as its accessible name.
    void setCaption(std::string_view labelName, std::string_view caption);

    // Sets the outer window height in twips; the client area is that less the
    // design's title bar and borders.
    void setWindowHeight(int twips);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    QButtonGroup *radioGroup(std::string_view container);
    void connectHandlers();
    void setAnswer(std::string_view labelName, const QString &text);
    void showErrorBox(std::int16_t code);

    void Form_Load();
    void Exit_Click();
    void Aboutcmd_Click();
    void TransSlaveCmd_Click();
    void TransMasterCmd_Click();
    void MasterOpt_Click();
    void SlaveOpt_Click();
    void PLC3Opt_Click();
    void PLC5Opt_Click();
    void XYYOpt_Click();
    void XYZOpt_Click();
    void YXZOpt_Click();
    void MesTypeLst_Click();
    void ModCmdLst_Click();

    QHash<QString, QWidget *> m_controls;
    QHash<QString, QButtonGroup *> m_radioGroups;
    QPointer<About> m_about;
    ErrorBox m_errorBox;
};

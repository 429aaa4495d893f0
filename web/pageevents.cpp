// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "web/pageevents.h"

#include "answers/answer.h"
#include "master/mastertranslation.h"
#include "subs/controltable.h"
#include "subs/mappingevents.h"

#include <array>
#include <string>

namespace Corvane::Web {
namespace {

using Subs::Control;

// The details line of a range, empty for none.
std::string detailsLineOf(const std::optional<Modbus::ModiconRange> &range)
{
    return range ? Answers::detailsLine(Answers::Details(*range)) : std::string();
}

// A translation's answer is gone after a refusal, and so are its details.
void TransMasterCmd(WebForm &form)
{
    Subs::TransMasterCmd_Click(form);
    std::string line;
    if (!form.text(Control::DTATxt).empty())
        line = detailsLineOf(
            Master::requestRange(form.text(Control::ModCmdLst), form.text(Control::RegTxt)));
    form.setDetails(Control::MasterTransFrm, line);
}

void TransSlaveCmd(WebForm &form)
{
    Subs::TransSlaveCmd_Click(form);
    const std::string dataFile = form.text(Control::DataFileTxt);
    const std::string start = form.text(Control::StartRegTxt);
    const std::string count = form.text(Control::NumRegTxt);
    const Answers::Answer answer = Answers::translateSlave({dataFile, start, count});
    form.setDetails(Control::SlaveTransFrm, detailsLineOf(answer.range));
}

template <void (*Handler)(Subs::Form &)> void run(WebForm &form) { Handler(form); }

struct Event {
    Control control;
    void (*handler)(WebForm &);
};

constexpr std::array kEvents{
    Event{Control::MasterOpt, run<Subs::MasterOpt_Click>},
    Event{Control::SlaveOpt, run<Subs::SlaveOpt_Click>},
    Event{Control::PLC3Opt, run<Subs::PLC3Opt_Click>},
    Event{Control::PLC5Opt, run<Subs::PLC5Opt_Click>},
    Event{Control::XYYOpt, run<Subs::XYYOpt_Click>},
    Event{Control::XYZOpt, run<Subs::XYZOpt_Click>},
    Event{Control::YXZOpt, run<Subs::YXZOpt_Click>},
    Event{Control::MesTypeLst, run<Subs::MesTypeLst_Click>},
    Event{Control::ModCmdLst, run<Subs::ModCmdLst_Click>},
    Event{Control::TransMasterCmd, TransMasterCmd},
    Event{Control::TransSlaveCmd, TransSlaveCmd},
};

constexpr std::array kMasterAnswers{Control::DTATxt};
constexpr std::array kSlaveAnswers{Control::ModStartTxt, Control::ModEndTxt, Control::FileTxt,
                                   Control::WordTxt};
constexpr std::array kAnswerBoxes{
    AnswerBox{Control::MasterTransFrm, kMasterAnswers},
    AnswerBox{Control::SlaveTransFrm, kSlaveAnswers},
};

} // namespace

std::span<const AnswerBox> answerBoxes() { return kAnswerBoxes; }

std::optional<Control> mainWindowControlNamed(std::string_view name)
{
    for (const Subs::ControlSpec &row : Subs::mainWindowControls()) {
        if (row.name == name)
            return row.id;
    }
    return std::nullopt;
}

bool runEvent(Control control, WebForm &form)
{
    for (const Event &event : kEvents) {
        if (event.control == control) {
            event.handler(form);
            return true;
        }
    }
    return false;
}

} // namespace Corvane::Web

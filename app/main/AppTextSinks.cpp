#include "app/main/AppTextSinks.h"

#include "toolkit/qt/TextOutWindow.h"
#include "toolkit/qt/TimerTextOutWindow.h"

#include <string_view>

CAppTextSinks::CAppTextSinks() {
    previousDefinitionSink_ = GetDefinitionErrorOut().SetSink([](std::string_view text) {
        UL::CTextOutWindow& window = UL::GetTextOutWindow();
        // Closing the main frame ends the program even while this is open.
        window.setAttribute(Qt::WA_QuitOnClose, false);
        window.Output(text);
    });
    previousTransientSink_ =
        GetTransientTextOut().SetSink([](std::string_view text) { UL::GetTimerTextOutWindow().Output(text); });
}

CAppTextSinks::~CAppTextSinks() {
    GetDefinitionErrorOut().SetSink(std::move(previousDefinitionSink_));
    GetTransientTextOut().SetSink(std::move(previousTransientSink_));
}

void CAppTextSinks::SetOwner(QWidget* owner) { UL::GetTimerTextOutWindow().SetOwner(owner); }

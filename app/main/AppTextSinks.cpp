#include "app/main/AppTextSinks.h"

#include "engine/MidiEngine.h"
#include "toolkit/qt/TextOutWindow.h"
#include "toolkit/qt/TimerTextOutWindow.h"

#include <string_view>

CAppTextSinks::CAppTextSinks(CMidiEngine& engine) : engine_(engine) {
    previousDefinitionSink_ = engine_.definitionErrors.SetSink([](std::string_view text) {
        UL::CTextOutWindow& window = UL::GetTextOutWindow();
        // Closing the main frame ends the program even while this is open.
        window.setAttribute(Qt::WA_QuitOnClose, false);
        window.Output(text);
    });
    previousTransientSink_ =
        engine_.transientText.SetSink([](std::string_view text) { UL::GetTimerTextOutWindow().Output(text); });
}

CAppTextSinks::~CAppTextSinks() {
    engine_.definitionErrors.SetSink(std::move(previousDefinitionSink_));
    engine_.transientText.SetSink(std::move(previousTransientSink_));
}

void CAppTextSinks::SetOwner(QWidget* owner) { UL::GetTimerTextOutWindow().SetOwner(owner); }

// The table of window commands that the demo program finds in this library at run time.
#include "wizard/WindowApi.h"

#include "wizard/PageRenderer.h"
#include "wizard/WizardHost.h"

extern "C" __attribute__((visibility("default"))) const tolva::WindowApi* tolva_window_api() {
    static const tolva::WindowApi api{&tolva::RunWizardHost, &tolva::RenderPages,
                                      &tolva::RunCreateJob, &tolva::ShowFirstPage};
    return &api;
}

// The wizard's page sequence: Select OS, then Detail Setting, driven by the
// pages' results until one of them ends the run.
#ifndef ORVIK_CORE_PAGE_SEQUENCE_H
#define ORVIK_CORE_PAGE_SEQUENCE_H

// A page's result: the value of its modal run.
const int kPageResultOk = 1;         // IDOK: Next; or Detail Setting finished
const int kPageResultCancel = 2;     // IDCANCEL: quit; or Back from Detail Setting
const int kPageResultFailed = -1;    // the page could not be created

// Runs the sequence. `pages` shows each page modally and returns its result:
// `int RunSelectOs()` shows the one Select OS page again and again;
// `int RunDetailSetting()` shows a fresh Detail Setting page each time.
// Only Next (OK) on Select OS leads on, and only Back (IDCANCEL) on Detail
// Setting leads back; every other result ends the run.
template <class Pages>
void RunPageSequence(Pages& pages)
{
    for (;;) {
        if (pages.RunSelectOs() != kPageResultOk)
            return;
        if (pages.RunDetailSetting() != kPageResultCancel)
            return;
    }
}

#endif  // ORVIK_CORE_PAGE_SEQUENCE_H

#pragma once

// The windows of the program, one instance of each at most.
enum class WindowKind {
    Form1,
    FormPL,
    FormSO,
    FormWN,
    FormMF,
    FormRF,
    FormFM,
    FormTG,
    FormTakeoff,
    FormIdentify,
    FormClass,
};

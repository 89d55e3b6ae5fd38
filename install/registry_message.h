// The one message the installation shows: a registry value it could not set.
#ifndef ORVIK_INSTALL_REGISTRY_MESSAGE_H
#define ORVIK_INSTALL_REGISTRY_MESSAGE_H

// The text in the GBK code page, NUL-terminated.
extern const char kRegistryErrorMessage[];

// Shows the text in a modal box with an OK button and no help context, and
// returns when the user closes it.
void ShowRegistryError();

#endif  // ORVIK_INSTALL_REGISTRY_MESSAGE_H

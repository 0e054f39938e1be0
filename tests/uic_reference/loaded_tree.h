#pragma once

// A form's Designer file built by Qt's own QUiLoader with the controls'
// plugin, made comparable with the module's tree (treeDifferences).

#include <QString>

#include <memory>

class QIODevice;
class QUiLoader;
class QWidget;

// A loader that knows the plugin in dir only, so a control it does not know
// falls back to its Qt base class and shows up as a difference.
std::unique_ptr<QUiLoader> pluginLoader(const QString &dir);

// The form in file, built and settled as treeDifferences expects; null with
// *error set when the loader refuses it.
std::unique_ptr<QWidget> loadComparable(QUiLoader &loader, QIODevice &file, QString *error);

// The layouts of a tree forget the size hints they cached while being built.
void forgetLayoutCaches(QWidget *root);

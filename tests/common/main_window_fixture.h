#pragma once

// The real main window offscreen on a temporary program folder, answered by
// the scripted interaction: the starting point of every window test.

#include "app/application_state.h"
#include "app/ui/main_form.h"
#include "app/wacht.h"
#include "canvas/ui/pic_edit.h"
#include "collection/collection_model.h"
#include "common/scripted_interaction.h"
#include "common/test_folder.h"
#include "documents/recent_supplements.h"
#include "documents/supplement_model.h"

#include <QLabel>

#include <memory>

struct MainWindowFixture
{
    TestFolder folder;
    ScriptedInteraction interaction;
    ApplicationState state;
    SupplementModel model;
    RecentSupplements recent{folder.path("velinor.conf")};
    CollectionModel collection{folder.folder()};
    std::unique_ptr<Main> main;

    explicit MainWindowFixture(bool withSampleData = false)
        : folder(withSampleData)
    {
        // A test before may have ended "the program" by closing its window; this one runs afresh.
        endWaiting(false);
        main = std::make_unique<Main>(state, model, folder.folder(), interaction, recent, collection);
    }
    // The undo actions follow the canvas history; it is emptied while the window is still whole.
    ~MainWindowFixture() { model.canvas().undoStack().clear(); }
    MainWindowFixture(const MainWindowFixture&) = delete;
    MainWindowFixture& operator=(const MainWindowFixture&) = delete;

    template <typename T> T* child(const QString& name) const { return main->findChild<T*>(name); }
    template <typename T> T& controller() const { return *main->findChild<T*>(); }
    QString text(const QString& label) const { return child<QLabel>(label)->text(); }
    const QImage& canvas() const { return main->picEdit()->image(); }
    QUndoStack& undo() { return model.canvas().undoStack(); }
    // A placement still floating over the canvas becomes part of it.
    void fix() { model.canvas().fixFloating(); }
    // A new picture on the canvas, with a history of its own.
    void setCanvas(const QImage& picture) { model.canvas().reset(picture); }
};

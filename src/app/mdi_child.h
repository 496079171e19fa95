#pragma once

#include "main_window_rules.h"
#include "device_data.h"

#include <QWidget>

namespace qvs::app {

class IPrompts;

// Base of every document window. The main window acts on the active one through these operations.
class TMDIChild : public QWidget {
    Q_OBJECT
public:
    explicit TMDIChild(IPrompts& prompts, QWidget* parent = nullptr);

    virtual DocumentKind Kind() const = 0;

    const QString& FileName() const { return m_fileName; }
    bool Saved() const { return m_saved; }
    bool HasFile() const { return m_hasFile; }

    // In the order the main window knows them.
    virtual void New(const QString& fileName) = 0;
    virtual void Open(const QString& path) = 0;
    virtual bool GetFromKavro(const TDeviceData& device) = 0;
    virtual bool UpdateFile() = 0;
    virtual bool Save();
    virtual bool SaveAs() = 0;
    virtual bool SendToKavro(const TDeviceData& device) = 0;
    virtual bool IsEqualToKavro() { return true; }
    // The save prompt; true when the window may close.
    bool OnCloseQuery();

    // What the main window's enable rules look at.
    virtual bool ShowsTagPage() const { return false; }
    virtual bool HasSelectedTag() const { return false; }
    virtual bool HasSelectedSiteFile() const { return false; }

    // The tag actions of a configuration document.
    virtual void AddTag() {}
    virtual void EditTag() {}
    virtual void RemoveTag() {}

signals:
    // Saved state, caption or selection changed: the main window updates its actions.
    void StateChanged();

protected:
    void SetFileName(const QString& fileName);
    void SetSaved(bool saved);
    void SetHasFile(bool hasFile);
    // Caption plus unsaved marker.
    void SetCaption(const QString& caption);
    void NotifyStateChanged() { emit StateChanged(); }
    IPrompts& Prompts() { return m_prompts; }
    // The application folder that new documents are named in.
    static QString ApplicationFolder();
    void closeEvent(QCloseEvent* event) override;

private:
    IPrompts& m_prompts;
    QString m_fileName;
    bool m_saved = true;
    bool m_hasFile = false;
};

}  // namespace qvs::app

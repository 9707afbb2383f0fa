#pragma once
// cf_EngineLink: what the chart model asks of the engine that draws it. The
// chart engine implements it; the model holds a pointer to its engine (not
// owned, null until the view sets one) and calls it from Notify and
// SetValueMode. GUI thread only.

class cf_ChartModel;

class cf_EngineLink {
public:
    virtual ~cf_EngineLink() = default;
    // Deletes and rebuilds the engine's data objects from the model.
    virtual void BuildFromModel(cf_ChartModel *model) = 0;
    virtual void Relayout() = 0;
    virtual void UpdateGeometry() = 0;
    virtual void Project() = 0;
    virtual void Refresh() = 0;
};

#include "controls/plot/objects/iPlotChannelOPC.h"

#include "controls/plot/opc/iOPCManager.h"

TiPlotChannelOPC::TiPlotChannelOPC(TObject* AOwner)
{
    if (auto* component = dynamic_cast<TComponent*>(AOwner))
        FOPCItemManager.SetOwner(component);
    for (int i = 0; i < 2; ++i)
        FOPCItemManager.Item(FOPCItemManager.Add()).SetPropertyName("Data");
}

TiPlotChannelOPC::~TiPlotChannelOPC() = default;

// Every field of the data set's records by its data-model name, in declared order. A visitor is
// called as v(name, field) for each; the JSON form and the check for values the radio cannot
// store both walk these lists, so they name fields alike.
#pragma once

#include "model/radio_data.h"

namespace qw {

template <class V>
void VisitChannel(ChannelRecord& c, V& v) {
  v("Position", c.Position);
  v("Enable", c.Enable);
  v("LowPower", c.LowPower);
  v("PowUp", c.PowUp);
  v("Duplex", c.Duplex);
  v("DuplexCapable", c.DuplexCapable);
  v("TxEnable", c.TxEnable);
  v("DispayA", c.DispayA);
  v("ScanMemory", c.ScanMemory);
  v("ChTag", c.ChTag);
  v("Scramble", c.Scramble);
  v("RxOnly", c.RxOnly);
  v("Narrow", c.Narrow);
  v("DCS", c.DCS);
  v("CTCSS", c.CTCSS);
  v("RxComp", c.RxComp);
  v("CHDisplayL", c.CHDisplayL);
  v("CHDisplayR", c.CHDisplayR);
  v("Txfreq", c.Txfreq);
  v("Rxfreq", c.Rxfreq);
}

template <class V>
void VisitGroup(UsableGroupSettings& g, V& v) {
  v("Usable", g.Usable);
  v("TxTot", g.TxTot);
  v("PriorityCh", g.PriorityCh);
  v("StatusIcon", g.StatusIcon);
  v("StatusName", g.StatusName);
}

template <class V>
void VisitCommon(CommonSettings& c, V& v) {
  v("TxPoDisplay", c.TxPoDisplay);
  v("Scan", c.Scan);
  v("ResumeTime", c.ResumeTime);
  v("PttScanClear", c.PttScanClear);
  v("DualWatch", c.DualWatch);
  v("OffsetTime", c.OffsetTime);
  v("MagneticVariation", c.MagneticVariation);
  v("Weater", c.Weater);
  v("Rotary", c.Rotary);
}

template <class V>
void VisitDsc(DscSettings& d, V& v) {
  v("DscGroup", d.DscGroup);
  v("UserMmsi", d.UserMmsi);
  v("PosRequest", d.PosRequest);
  v("Tx", d.Tx);
  v("BeepOut", d.BeepOut);
  v("AllShipsCall", d.AllShipsCall);
  v("AllShipsCallTx", d.AllShipsCallTx);
  v("GroupCall", d.GroupCall);
  v("GroupCallTx", d.GroupCallTx);
  v("IndividualCall", d.IndividualCall);
  v("IndividualCallTx", d.IndividualCallTx);
  v("AckMenu", d.AckMenu);
}

template <class V>
void VisitCallSign(AtisCallSignEntry& e, V& v) {
  v("MID", e.MID);
  v("DISP", e.DISP);
}

template <class V>
void VisitDirectoryEntry(DirectoryEntry& e, V& v) {
  v("Enable", e.Enable);
  v("TagName", e.TagName);
  v("Mmsid", e.Mmsid);
}

template <class V>
void VisitAtisScalars(AtisSettings& a, V& v) {
  v("UsableAtisGroup", a.UsableAtisGroup);
  v("AtisCode", a.AtisCode);
  v("AtisKillerGroup", a.AtisKillerGroup);
}

}  // namespace qw

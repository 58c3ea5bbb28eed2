#pragma once
// The route bar at the chart's left edge and the tool bar's RouteBtn: picking, adding, copying,
// deleting, editing and drawing routes, the waypoint list and calculator, and the finish that
// stores a drawn or edited route and hands it to route following. The route table is changed
// only through its own operations, and the route state the output thread reads only under
// ComOutStateLock.

class TForm1;

// The bar's buttons and RouteBtn to their handlers.
void ConnectRouteBar(TForm1& f);

// RouteBtn: closes the open bar (the route released) or opens it, finishing and closing the
// symbol and line bars.
void RouteExecute(TForm1& f);
// Drops the route in use: route following told to stop, no route in the table's state, the
// route panel hidden and a route alarm that sounds silenced.
void ReleaseRoute(TForm1& f);

void RtPrintExecute(TForm1& f);
void RtCalcExecute(TForm1& f);
void RtCopyExecute(TForm1& f);
void RtAddExecute(TForm1& f);
void RtSelectExecute(TForm1& f);
// With a route in use: deleted once the user agrees. Without one: the next route picked is
// deleted (the 100 ms tick calls this again with the picked route in use).
void RtDelExecute(TForm1& f);
void RtEditExecute(TForm1& f);
void RtDrawExecute(TForm1& f);
void RtSarExecute(TForm1& f);
// Finish: ends the action under way (a drawn or edited route stored and reloaded, a route of
// fewer than two points deleted) and keeps the bar; with none, closes the bar. Either way the
// route is then offered to route following.
void RtOkExecute(TForm1& f);

#include "enemies/kind.h"
#include "enemies/kinds.h"

// Stand-ins until the ordinary kinds land: they fly in and do nothing else.
void kind_dart(Enemy& e) { if (e.age == 0) kind_begin(e, kDart); }
void kind_dart_leader(Enemy& e) { if (e.age == 0) kind_begin(e, kDartLeader); }
void kind_pod(Enemy& e) { if (e.age == 0) kind_begin(e, kPod); }
void kind_gunship(Enemy& e) { if (e.age == 0) kind_begin(e, kGunship); }
void kind_hornet(Enemy& e) { if (e.age == 0) kind_begin(e, kHornet); }
void kind_carrier(Enemy& e) { if (e.age == 0) kind_begin(e, kCarrier); }
void kind_lancer(Enemy& e) { if (e.age == 0) kind_begin(e, kLancer); }
void kind_spinner(Enemy& e) { if (e.age == 0) kind_begin(e, kSpinner); }
void kind_spinner_u(Enemy& e) { if (e.age == 0) kind_begin(e, kSpinnerU); }
void kind_raider(Enemy& e) { if (e.age == 0) kind_begin(e, kRaider); }
void kind_striker(Enemy& e) { if (e.age == 0) kind_begin(e, kStriker); }

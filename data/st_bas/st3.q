# The Lighthouse Keeper in the Old Days

Which point does the text make in its opening paragraph?
- missing one duty could put lives at risk
+ every light had to shine from dusk to dawn
- the lens made a weak flame into a strong beam
- rough seas could keep the relief boat away

Which of these does the text mention first?
+ the relief boat
- the nickname "wickies"
- the clockwork frame
- the daily log book

Which of these does the text NOT list among a keeper's daytime tasks?
- polishing the brass fittings
- carrying oil up the stairs
- touching up the paint
+ oiling the clockwork gears

Which fog signal does the text NOT mention?
- a bell rung by hand
- a horn with a deep groan
+ a siren with a high wail
- a bell rung by a machine

In which part does the text mention shipwrecks?
- the part on fog and its signals
+ the part on family life and its rewards
- the part on lonely rocks and relief boats
- the part on how the old ways ended

How did some keepers' children get to school, according to the text?
- a teacher came out to them by boat
- they boarded at a school on the mainland
+ they rowed across to a school on shore
- the relief boat took them there each week

Which of these does the text's final paragraph NOT say?
- electric lamps took the place of oil
- machines took over turning and timing
- staff come to check the lights now and then
+ many towers have become museums

How does the text describe the nights in its last sentence?
+ long and wild
- long and dark
- cold and stormy
- dark and lonely

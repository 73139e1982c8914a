# Our Neighbour the Moon

Which role in human life does the opening NOT give the moon?
- guiding travellers
- marking the passing months
- inspiring songs and stories
+ timing the planting of crops

Which point does the opening paragraph end on?
+ the moon is a real world of its own
- the moon strongly affects our planet
- the moon shines only by reflected light
- the moon is much smaller than Earth

Where does the text first mention astronauts?
- in telling of the 1969 landing
- in describing lasting footprints
+ in explaining the moon's weak pull
- in describing the far side's pictures

Which phase does the text say the cycle starts with?
+ a thin crescent
- a dark new moon
- a half moon
- a full round disc

What does the text explain right after the moon's phases?
- what the dark patches are
+ why one side always faces us
- how small the moon is
- why its sky is black by day

Which effect of having almost no air does the text NOT mention?
- footprints that last for ages
- great heat and bitter cold
- a black sky even by day
+ no sound carrying at all

Which topic does the text cover just before the tides?
- the moon's phases
- the first moon landing
+ the lack of air on the moon
- the moon's far side

Which activity of the astronauts does the text NOT mention?
- collecting rocks
+ planting a flag
- setting up experiments
- taking photographs

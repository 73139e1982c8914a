# Our Neighbour the Moon

The opening says the moon has its own rocks, mountains and what?
- valleys
+ plains
- caves
- cliffs

How wide is the moon compared with the Earth, according to the text?
- about half as wide
- about a sixth as wide
- about a third as wide
+ about a quarter as wide

Which phase does the text say the cycle starts with?
+ a thin crescent
- a dark new moon
- a half moon
- a full round disc

What does the text call curious about the moon?
- it gives off no light of its own
+ it always shows us the same side
- its sky is black even by day
- a footprint there can last for ages

What did the first pictures of the far side show, according to the text?
- a face much like the near side
- a darker face with fewer mountains
+ a rougher face with more craters
- a smoother face with fewer craters

Which topic does the text cover just before the tides?
- the moon's phases
- the first moon landing
+ the lack of air on the moon
- the moon's far side

What does the text say the astronauts photographed?
+ the Earth in a black sky
- the far side from orbit
- the sun over the highlands
- their footprints in the dust

Which hope does the text end on?
- robot craft may bring back more rocks
- a base may be built on the far side
+ people may return to stay for longer
- astronauts may travel on to Mars

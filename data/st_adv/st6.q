# The Design of Suspension Bridges

Which point does the text make in its opening paragraph?
- the idea behind them goes back to ancient times
+ they hold almost every record for span length
- the curve of the cables comes from physics, not style
- the cables work entirely in tension

Which point does the text make in its second paragraph?
- the cables pull while the towers are squeezed
- real cable curves lie between two ideal shapes
+ a rope under tension can carry loads over a gap
- a single broken wire hardly weakens a cable

Which material does the text NOT name for the ropes of early bridges?
- grass
+ hemp
- vines
- bamboo

Of these four, which does the text bring up last?
+ cables spun from thousands of thin wires
- the Inca network of rope bridges
- hangers dropping from the main cables
- the curve that a hanging cable forms

Which word does the text use for the oscillations that wrecked the Tacoma deck?
- resonant
- torsional
- harmonic
+ self-reinforcing

Which change made after the Tacoma disaster does the text NOT mention?
- testing scale models in wind tunnels
- stiffening decks with deep trusses
+ fitting dampers to absorb the motion
- giving decks streamlined shapes

How many bridges does the text call by name?
+ three
- two
- four
- five

Besides hard experience, which two fields does the closing sentence say refined the rope makers' idea?
- physics and aerodynamics
- geometry and metallurgy
- engineering and geology
+ mathematics and materials science
